#include "common/pagefactory.h"

#include <QtGlobal>

#include <map>
#include <typeindex>

namespace olma::pages {
namespace {

std::map<std::type_index, Factory>& factories()
{
    static std::map<std::type_index, Factory> registry;
    return registry;
}

} // namespace

void registerFactory(const std::type_info& modelType, Factory factory)
{
    factories()[std::type_index(modelType)] = std::move(factory);
}

QWidget* create(const std::type_info& modelType, void* model, QWidget* parent)
{
    const auto found = factories().find(std::type_index(modelType));
    if (found == factories().end()) {
        // Only models that have a page ask; a program that shows pages forgot to register them.
        qWarning("No page is registered for %s", modelType.name());
        return nullptr;
    }
    return found->second(model, parent);
}

} // namespace olma::pages
