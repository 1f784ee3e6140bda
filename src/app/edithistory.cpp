#include "app/edithistory.h"

#include "config/configuration.h"
#include "config/imagemap.h"
#include "config/programm/programm.h"
#include "config/programm/programms.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <functional>

namespace olma::app {
namespace {

// Steps kept; older ones drop off.
constexpr int kUndoLimit = 200;
// Steps taken while the engineer types in one field join into one.
constexpr int kFieldStep = 1;

void forEachNode(olma::config::IConfigItem* item, const std::function<void(olma::config::ConfigItem*)>& visit)
{
    for (olma::config::IConfigItem* child : item->children()) {
        if (auto* node = dynamic_cast<olma::config::ConfigItem*>(child))
            visit(node);
        forEachNode(child, visit);
    }
}

// Whether `w` is a field the engineer types into, where every key makes a change.
bool isTypingField(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

class EditStep : public QUndoCommand
{
public:
    // `field` numbers the stay of the focus in the field typed in; -1 when the step was no typing.
    EditStep(EditHistory& history, EditState before, EditState after, qint64 field)
        : _history(history), _before(std::move(before)), _after(std::move(after)), _field(field)
    {}

    int id() const override { return _field >= 0 ? kFieldStep : -1; }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const EditStep*>(other);
        if (next->_field != _field)
            return false;
        _after = next->_after;
        return true;
    }

    void undo() override { _history.apply(_before); }

    void redo() override
    {
        // Pushed after the change was made: the first redo has nothing to do.
        if (_done)
            _history.apply(_after);
        _done = true;
    }

private:
    EditHistory& _history;
    EditState _before;
    EditState _after;
    qint64 _field = -1;
    bool _done = false;
};

} // namespace

EditHistory::EditHistory(std::vector<unsigned char>& image, olma::config::Configuration& configuration, QObject* parent)
    : QObject(parent), _image(image), _configuration(configuration), _stack(new QUndoStack(this))
{
    _stack->setUndoLimit(kUndoLimit);
    _last = capture();
    _saved = _last;
    if (qApp)
        qApp->installEventFilter(this);
}

EditHistory::~EditHistory()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

EditState EditHistory::capture() const
{
    EditState state;
    state.image = _image;
    forEachNode(&_configuration,
                [&state](olma::config::ConfigItem* node) { state.descriptions.append(node->ownDescription()); });
    return state;
}

void EditHistory::checkpoint()
{
    _pending = false;
    EditState now = capture();
    if (now == _last)
        return;
    EditState before = std::move(_last);
    _last = now;
    const qint64 field = isTypingField(QApplication::focusWidget()) ? _focusStay : -1;
    _stack->push(new EditStep(*this, std::move(before), std::move(now), field));
    updateModified();
}

void EditHistory::reset()
{
    _pending = false;
    _stack->clear();
    _last = capture();
    _saved = _last;
    updateModified();
}

void EditHistory::markSaved()
{
    checkpoint();
    _saved = _last;
    updateModified();
}

void EditHistory::undo()
{
    checkpoint();
    // What is typed after an undo is a new step, even in the same field.
    ++_focusStay;
    _stack->undo();
}

void EditHistory::redo()
{
    checkpoint();
    ++_focusStay;
    _stack->redo();
}

void EditHistory::takeUndoKeys(QWidget* window)
{
    _window = window;
}

bool EditHistory::isHistoryKey(QObject* watched, QEvent* event) const
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!_window || !widget || widget->window() != _window)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

void EditHistory::apply(const EditState& state)
{
    emit aboutToApply();
    const size_t size = std::min(state.image.size(), _image.size());
    // Only programs changed: only they read their records again.
    QList<int> programms;
    bool elsewhere = false;
    for (size_t i = 0; i < size; ++i) {
        if (state.image[i] == _image[i])
            continue;
        const int offset = int(i);
        if (offset < olma::config::kProgrammsOffset) {
            elsewhere = true;
            break;
        }
        const int index = (offset - olma::config::kProgrammsOffset) / olma::config::kProgrammRecordSize;
        if (programms.isEmpty() || programms.last() != index)
            programms.append(index);
    }
    std::copy_n(state.image.begin(), size, _image.begin());
    if (elsewhere) {
        _configuration.loadFromImage();
    } else {
        for (int index : std::as_const(programms)) {
            if (olma::config::Programm* p = _configuration.programms()->programmByIndex(unsigned(index)))
                p->reloadRecord();
        }
    }
    int i = 0;
    forEachNode(&_configuration, [&state, &i](olma::config::ConfigItem* node) {
        if (i < state.descriptions.size())
            node->restoreDescription(state.descriptions.at(i));
        ++i;
    });
    _last = state;
    updateModified();
    emit applied();
}

void EditHistory::updateModified()
{
    const bool modified = _last != _saved;
    if (modified == _modified)
        return;
    _modified = modified;
    emit modifiedChanged(modified);
}

bool EditHistory::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // A text field would take Ctrl+Z for its own text; refused, the key reaches the window's
        // "Отменить", which undoes the last step of the configuration, the field's typing included.
        if (isHistoryKey(watched, event)) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::KeyPress:
        // With nothing to undo the key comes as a plain key press; the field does nothing with it.
        if (isHistoryKey(watched, event))
            return true;
        break;
    case QEvent::FocusIn:
        ++_focusStay;
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::FocusOut:
        // Once the action has done its work: the step is whatever it changed.
        if (!_pending) {
            _pending = true;
            QTimer::singleShot(0, this, &EditHistory::checkpoint);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace olma::app
