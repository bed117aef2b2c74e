// The drop-down key list of a keystroke slot.
#pragma once

#include <QComboBox>

namespace ui {

// A combo box whose rowChosen signal follows the window's rule for a list's
// click: it is emitted once whenever a row becomes selected, in code or by
// the user, and also when the user chooses the row that is already selected
// (after a preset has changed only the list's displayed text, that choice
// must copy the row's code again). Typing chooses no row.
//
// The list shows the selected row's name from its first character. It gets
// an edit part only when a preset shows a text of its own (showText), so
// that currentText() is always the text shown.
class KeyList : public QComboBox {
    Q_OBJECT
public:
    explicit KeyList(QWidget *parent = nullptr);

    // Shows `text` in place of the selected row's name, as a preset does:
    // no row is chosen and no signal is emitted.
    void showText(const QString &text);

signals:
    void rowChosen(int row);

protected:
    void showPopup() override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addEditPart();
    void onCurrentIndexChanged(int row);
    void onActivated(int row);
    void startUserChoice();

    // The row whose selection the user's current choice has already reported.
    int reportedRow_ = -1;
};

} // namespace ui
