#pragma once

#include <QObject>
#include <QStringList>

#include <vector>

class QUndoStack;
class QWidget;

namespace olma::config {
class Configuration;
}

namespace olma::app {

// What the engineer edits in a configuration: the image bytes and every node's description.
struct EditState
{
    std::vector<unsigned char> image;
    QStringList descriptions;

    bool operator==(const EditState& other) const { return image == other.image && descriptions == other.descriptions; }
    bool operator!=(const EditState& other) const { return !(*this == other); }
};

// The undo history of the configuration editor and its "changed since" mark. Whatever a page
// changed during one action of the engineer (a click, a key, a paste, "Сбросить все" with the
// rules it sets off) is one step: after every such action the configuration is compared with how
// it stood before, and a difference becomes a step on the stack. Typing in one field is one step
// for as long as the field keeps the focus.
class EditHistory : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(EditHistory)

public:
    // The image is the configuration's, written in place.
    EditHistory(std::vector<unsigned char>& image, olma::config::Configuration& configuration,
                QObject* parent = nullptr);
    ~EditHistory() override;

    QUndoStack* stack() const { return _stack; }

    // The state now.
    EditState capture() const;
    // Records what changed since the last step as a new step; nothing when nothing changed.
    void checkpoint();
    // A configuration was loaded, read or made anew: no history, nothing changed.
    void reset();
    // The configuration was saved or written: what it is now counts as unchanged.
    void markSaved();
    // Whether the configuration differs from what was last loaded, saved, read or written.
    bool isModified() const { return _modified; }

    void undo();
    void redo();

    // Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y anywhere in `window`, text fields included, undo and redo
    // the configuration's steps; the fields keep no history of their own.
    void takeUndoKeys(QWidget* window);

    // Puts a state back into the image, the tree and the descriptions (an undo or redo).
    void apply(const EditState& state);

signals:
    // An undo or redo is about to change the configuration: pages showing it go first (a page
    // going may still write what it shows).
    void aboutToApply();
    // An undo or redo changed the configuration.
    void applied();
    void modifiedChanged(bool modified);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateModified();
    bool isHistoryKey(QObject* watched, QEvent* event) const;

    std::vector<unsigned char>& _image;
    olma::config::Configuration& _configuration;
    QUndoStack* _stack = nullptr;
    EditState _last;
    EditState _saved;
    bool _modified = false;
    bool _pending = false;
    QWidget* _window = nullptr;
    // Counts the focus's moves: steps typed in one field while it kept the focus are one step.
    qint64 _focusStay = 0;
};

} // namespace olma::app
