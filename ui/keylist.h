// The drop-down key list of a keystroke slot.
#pragma once

#include <QComboBox>
#include <QElapsedTimer>

namespace ui {

// A combo box whose rowChosen signal follows the window's rule for a list's
// click: it is emitted once whenever a row becomes selected, in code or by
// the user, and also when the user chooses the row that is already selected
// (after a preset has changed only the list's displayed text, that choice
// must copy the row's code again).
//
// Typing on the list, open or closed, finds keys as lists do on the
// desktop: it moves to the next row whose name starts with the typed text
// (letters typed in quick succession form one text, a letter typed again
// moves on to the next row starting with it). On a closed list that
// selects the row, as the arrow keys do; on an open one it marks the row
// that Enter then chooses.
//
// The list shows the selected row's name from its first character. It gets
// an edit part only when a preset shows a text of its own (showText), so
// that currentText() is always the text shown. A shown name that does not
// fit is the list's tool tip; assistive technology is told of every change
// of the shown name.
class KeyList : public QComboBox {
    Q_OBJECT
public:
    explicit KeyList(QWidget *parent = nullptr);

    // Shows `text` in place of the selected row's name: no row is chosen and
    // no signal is emitted.
    void showText(const QString &text);

    // Shows `text` for the key `code`, as a preset does: the row carrying the
    // code becomes the selected one, so that the keyboard goes on from the
    // key shown, but no row is chosen and no signal is emitted.
    void showKey(const QString &text, int code);

    void showPopup() override;

signals:
    void rowChosen(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addEditPart();
    void onCurrentIndexChanged(int row);
    void onActivated(int row);
    void startUserChoice();
    int rowFoundByTyping(const QString &typed, int marked);
    void searchRows(const QString &typed);
    void shownTextMayHaveChanged();
    bool shownTextFits(const QString &text) const;

    // The row whose selection the user's current choice has already reported.
    int reportedRow_ = -1;
    // The name shown when assistive technology was last told.
    QString shownText_;
    // The text typed in quick succession, and since its last key.
    QString typed_;
    QElapsedTimer typingTimer_;
};

} // namespace ui
