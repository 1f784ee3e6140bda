#pragma once

#include <functional>
#include <typeinfo>

class QWidget;

// The models know their pages only by this registry: a model's createWidget() asks it for the
// page registered for the model's class, and the GUI library registers every page at start-up.
// A program without widgets (the command-line tool) registers none and gets no pages.
namespace olma::pages {

using Factory = std::function<QWidget*(void* model, QWidget* parent)>;

void registerFactory(const std::type_info& modelType, Factory factory);
// The page for `model` as its class `modelType`, or null when none is registered.
QWidget* create(const std::type_info& modelType, void* model, QWidget* parent);

// The page registered for the class `Model` itself (not for a class derived from it).
template <class Model> QWidget* create(Model& model, QWidget* parent)
{
    return create(typeid(Model), &model, parent);
}

// Pages of class `Page` are made as `new Page(model, parent)`.
template <class Model, class Page> void registerPage()
{
    registerFactory(typeid(Model), [](void* model, QWidget* parent) -> QWidget* {
        return new Page(static_cast<Model*>(model), parent);
    });
}

} // namespace olma::pages
