#include "accessibility.h"

#include "announcer.h"
#include "keylist.h"
#include "outofsight.h"
#include "settings.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QValidator>

namespace ui {

namespace {

// The mark of the window's own interfaces.
class WindowInterface {
public:
    virtual ~WindowInterface() = default;
};

// A control out of sight keeps its role and name, but is neither visible nor
// showing, and takes no focus.
QAccessible::State sightState(QAccessible::State state, const QWidget *control)
{
    if (isOutOfSight(control)) {
        state.invisible = true;
        state.offscreen = true;
        state.focusable = false;
        state.focused = false;
    }
    return state;
}

// The text of the word or sentence that ends at the end of `text`, found as
// Qt finds it anywhere else: back to the nearest start or end of a word (or
// sentence), and forward to the end of the text.
QString itemEndingAtEnd(const QString &text, QAccessible::TextBoundaryType boundaryType,
                        int *startOffset, int *endOffset)
{
    QTextBoundaryFinder boundary(boundaryType == QAccessible::WordBoundary
                                     ? QTextBoundaryFinder::Word
                                     : QTextBoundaryFinder::Sentence,
                                 text);
    boundary.setPosition(text.size());
    const auto itemEdge = QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem;
    while (!(boundary.boundaryReasons() & itemEdge) && boundary.toPreviousBoundary() > 0) {
    }
    *startOffset = int(qMax<qsizetype>(boundary.position(), 0));
    *endOffset = int(text.size());
    return text.mid(*startOffset);
}

// The text attributes at any offset of a text of `length` characters: none,
// in one run over the whole text.
//
// Qt 6.4 gives a line edit's (and a combo box's) attributes as an empty run
// at the offset asked (start and end both the offset). Orca 43 builds its
// runs of attributes from those answers and speaks the text they cover,
// which then loses its last character: "36" is spoken "3", "Ok 0" "Ok",
// and a one-digit value not at all.
QString wholeRun(int length, int *startOffset, int *endOffset)
{
    *startOffset = 0;
    *endOffset = length;
    return QString();
}

// The text interface's search for the text at an offset, with an end.
//
// Qt 6.4 (6.4.2 as Debian 12 ships it) never answers when asked for the word
// or sentence at the end offset of a non-empty text (the offset itself, or
// -1, which stands for it): its forward search takes QTextBoundaryFinder's
// -1 ("no further boundary") for a position before the end and loops for
// ever, and the window stops. A screen reader asks exactly that when the
// user moves by word from the end of a box. Every other query, and this one
// anywhere else, goes to Qt's own search. Our search is used with every Qt
// version: it does the same work.
class BoundedTextInterface : public QAccessibleTextInterface {
public:
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override
    {
        const bool wordOrSentence = boundaryType == QAccessible::WordBoundary ||
                                    boundaryType == QAccessible::SentenceBoundary;
        const int length = characterCount();
        if (wordOrSentence && length > 0 && (offset == length || offset == -1))
            return itemEndingAtEnd(text(0, length), boundaryType, startOffset, endOffset);
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    }
};

// Where Qt's line edit lays out the character at `offset`: the same
// single-line layout of the same text in the same font.
int cursorX(const QLineEdit *edit, int offset)
{
    QTextLayout layout(edit->text(), edit->font());
    QTextOption option;
    option.setTextDirection(edit->layoutDirection());
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return int(line.cursorToX(offset)); // cut, not rounded, as Qt's line edit has it
}

// A text box as Qt presents it (name, role, states, text, caret, selection,
// editing, and the events the box itself reports), with the bounded search
// and with the states of a box out of sight. Qt's own interface for line
// edits cannot be reused: it is not part of Qt's public interface.
class LineEditAccessible : public QAccessibleWidget,
                           public BoundedTextInterface,
                           public QAccessibleEditableTextInterface,
                           public WindowInterface {
public:
    explicit LineEditAccessible(QLineEdit *edit)
        : QAccessibleWidget(edit, QAccessible::EditableText)
    {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    QLineEdit *lineEdit() const { return static_cast<QLineEdit *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        QString str;
        if (t == QAccessible::Value) {
            if (lineEdit()->echoMode() == QLineEdit::Normal)
                str = lineEdit()->text();
            else if (lineEdit()->echoMode() != QLineEdit::NoEcho)
                str = QString(lineEdit()->text().size(), QLatin1Char('*'));
        }
        if (str.isEmpty())
            str = QAccessibleWidget::text(t);
        if (str.isEmpty() && t == QAccessible::Description)
            str = lineEdit()->placeholderText();
        return str;
    }

    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t != QAccessible::Value) {
            QAccessibleWidget::setText(t, text);
            return;
        }
        QString newText = text;
        if (const QValidator *validator = lineEdit()->validator()) {
            int pos = 0;
            if (validator->validate(newText, pos) != QValidator::Acceptable)
                return;
        }
        lineEdit()->setText(newText);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true; // read-only or not, as Qt has it
        if (lineEdit()->isReadOnly())
            state.readOnly = true;
        if (lineEdit()->echoMode() != QLineEdit::Normal)
            state.passwordEdit = true;
        state.selectableText = true;
        return sightState(state, widget());
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Text interface.
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }

    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        return wholeRun(characterCount(), startOffset, endOffset);
    }

    int cursorPosition() const override { return lineEdit()->cursorPosition(); }

    QRect characterRect(int offset) const override
    {
        const QString ch = text(offset, offset + 1);
        if (ch.isEmpty())
            return QRect();
        const QFontMetrics metrics(lineEdit()->font());
        QRect r(cursorX(lineEdit(), offset), lineEdit()->textMargins().top(),
                metrics.horizontalAdvance(ch), metrics.height());
        r.moveTo(lineEdit()->mapToGlobal(r.topLeft()));
        return r;
    }

    int selectionCount() const override { return lineEdit()->hasSelectedText() ? 1 : 0; }

    int offsetAtPoint(const QPoint &point) const override
    {
        return lineEdit()->cursorPositionAt(lineEdit()->mapFromGlobal(point));
    }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0)
            return;
        *startOffset = lineEdit()->selectionStart();
        *endOffset = *startOffset + int(lineEdit()->selectedText().size());
    }

    QString text(int startOffset, int endOffset) const override
    {
        if (startOffset > endOffset || lineEdit()->echoMode() != QLineEdit::Normal)
            return QString();
        return lineEdit()->text().mid(startOffset, endOffset - startOffset);
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int *startOffset, int *endOffset) const override
    {
        if (!readable(startOffset, endOffset))
            return QString();
        return BoundedTextInterface::textBeforeOffset(caretOr(offset), boundaryType, startOffset,
                                                      endOffset);
    }

    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int *startOffset, int *endOffset) const override
    {
        if (!readable(startOffset, endOffset))
            return QString();
        return BoundedTextInterface::textAfterOffset(caretOr(offset), boundaryType, startOffset,
                                                     endOffset);
    }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override
    {
        if (!readable(startOffset, endOffset))
            return QString();
        return BoundedTextInterface::textAtOffset(caretOr(offset), boundaryType, startOffset,
                                                  endOffset);
    }

    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            lineEdit()->deselect();
    }

    void setCursorPosition(int position) override { lineEdit()->setCursorPosition(position); }

    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            lineEdit()->setSelection(startOffset, endOffset - startOffset);
    }

    int characterCount() const override { return int(lineEdit()->text().size()); }

    void scrollToSubstring(int startIndex, int endIndex) override
    {
        lineEdit()->setCursorPosition(endIndex);
        lineEdit()->setCursorPosition(startIndex);
    }

    // Editable text interface.
    void deleteText(int startOffset, int endOffset) override
    {
        lineEdit()->setText(lineEdit()->text().remove(startOffset, endOffset - startOffset));
    }

    void insertText(int offset, const QString &text) override
    {
        lineEdit()->setText(lineEdit()->text().insert(offset, text));
    }

    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        lineEdit()->setText(lineEdit()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    // Hidden input reveals nothing of its text.
    bool readable(int *startOffset, int *endOffset) const
    {
        if (lineEdit()->echoMode() == QLineEdit::Normal)
            return true;
        *startOffset = *endOffset = -1;
        return false;
    }

    // Offset -2 stands for the caret.
    int caretOr(int offset) const { return offset == -2 ? cursorPosition() : offset; }
};

// A key list as Qt presents a combo box (its pop-up list and, when it shows
// a text of its own, its edit part as children; the actions that open and
// close the pop-up), which also gives its shown key as a read-only text:
// screen readers read a combo box's value from its text.
class KeyListAccessible : public QAccessibleWidget,
                          public BoundedTextInterface,
                          public WindowInterface {
public:
    explicit KeyListAccessible(KeyList *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    KeyList *list() const { return static_cast<KeyList *>(widget()); }
    QString shown() const { return list()->currentText(); }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->isEditable())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }

    int childCount() const override { return list()->isEditable() ? 2 : 1; }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        if (list()->isEditable() && list()->lineEdit()->rect().contains(x, y))
            return child(1);
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (list()->view() == child->object())
            return 0;
        if (list()->isEditable() && list()->lineEdit() == child->object())
            return 1;
        return -1;
    }

    // The edit part never has the focus itself (the list is its focus
    // proxy), but it is what holds the shown text.
    QAccessibleInterface *focusChild() const override
    {
        return list()->isEditable() ? child(1) : nullptr;
    }

    // On Linux a combo box is named by its value, as Qt names it there; the
    // label related to the list carries the list's own name.
    QString text(QAccessible::Text t) const override
    {
        QString str;
        switch (t) {
        case QAccessible::Name:
#ifndef Q_OS_UNIX
            str = QAccessibleWidget::text(t);
            break;
#endif
        case QAccessible::Value:
            str = shown();
            break;
        default:
            break;
        }
        if (str.isEmpty())
            str = QAccessibleWidget::text(t);
        return str;
    }

    QAccessible::State state() const override
    {
        return sightState(QAccessibleWidget::state(), widget());
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QStringList actionNames() const override
    {
        return {showMenuAction(), pressAction()};
    }

    QString localizedActionDescription(const QString &actionName) const override
    {
        if (actionName == showMenuAction() || actionName == pressAction())
            return QComboBox::tr("Open the combo box selection popup");
        return QString();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName != showMenuAction() && actionName != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    QStringList keyBindingsForAction(const QString &) const override
    {
        return {};
    }

    // Text interface: the shown key, read-only, without caret, and selected
    // as a whole: the key shown is the list's chosen value. (Screen readers
    // speak a replaced text that is also selected; Orca 43, with Qt 6.4, has
    // no other way to hear a closed list's new key, since Qt 6.4 gives a
    // combo box no selection interface.)
    QString text(int startOffset, int endOffset) const override
    {
        if (startOffset > endOffset)
            return QString();
        return shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override
    {
        return int(shown().size());
    }
    int cursorPosition() const override
    {
        return 0;
    }
    void setCursorPosition(int) override {}
    int selectionCount() const override
    {
        return shown().isEmpty() ? 0 : 1;
    }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = selectionIndex == 0 ? characterCount() : 0;
    }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override
    {
        return QRect();
    }
    int offsetAtPoint(const QPoint &) const override
    {
        return -1;
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        return wholeRun(characterCount(), startOffset, endOffset);
    }
};

// The option button's style options, which QRadioButton keeps to itself.
struct OptionStyle : QRadioButton {
    using QRadioButton::initStyleOption;
};

// An option button as Qt presents it, except that its toggle action
// chooses the option as a click does. Qt's own only checks the button, so
// the option's click handler (a preset) would not run although the option
// shows as chosen. Qt's own interface for buttons cannot be reused: it is
// not part of Qt's public interface.
class OptionAccessible : public QAccessibleWidget, public WindowInterface {
public:
    explicit OptionAccessible(QRadioButton *option) : QAccessibleWidget(option)
    {
        addControllingSignal(QStringLiteral("toggled(bool)"));
    }

    QRadioButton *option() const { return static_cast<QRadioButton *>(widget()); }

    QAccessible::Role role() const override
    {
        return option()->autoExclusive() ? QAccessible::RadioButton : QAccessible::CheckBox;
    }

    QString text(QAccessible::Text t) const override
    {
        QString str;
        if (t == QAccessible::Name) {
            str = widget()->accessibleName();
            if (str.isEmpty())
                str = QString(option()->text()).remove(QLatin1Char('&'));
        }
        if (str.isEmpty())
            str = QAccessibleWidget::text(t);
        return str;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        if (option()->isChecked())
            state.checked = true;
        if (option()->isDown())
            state.pressed = true;
        return sightState(state, widget());
    }

    QRect rect() const override
    {
        if (!option()->isVisible())
            return QRect();
        QStyleOptionButton style;
        (option()->*&OptionStyle::initStyleOption)(&style);
        return option()
            ->style()
            ->subElementRect(QStyle::SE_RadioButtonClickRect, &style, option())
            .translated(option()->mapToGlobal(QPoint(0, 0)));
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (!widget()->isEnabled())
            return;
        if (actionName == toggleAction())
            option()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessible::Role roleOf(const QWidget *widget)
{
    if (qobject_cast<const QComboBox *>(widget))
        return QAccessible::ComboBox;
    if (qobject_cast<const QLineEdit *>(widget))
        return QAccessible::EditableText;
    if (qobject_cast<const QCheckBox *>(widget))
        return QAccessible::CheckBox;
    if (qobject_cast<const QGroupBox *>(widget))
        return QAccessible::Grouping;
    if (qobject_cast<const QLabel *>(widget))
        return QAccessible::StaticText;
    return QAccessible::Client;
}

// Any other control out of sight: its role and name as usual, and the
// states of a control out of sight.
class OutOfSightAccessible : public QAccessibleWidget, public WindowInterface {
public:
    explicit OutOfSightAccessible(QWidget *widget) : QAccessibleWidget(widget, roleOf(widget)) {}

    QAccessible::State state() const override
    {
        return sightState(QAccessibleWidget::state(), widget());
    }
};

} // namespace

QAccessibleInterface *windowAccessible(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (auto *list = qobject_cast<KeyList *>(widget))
        return new KeyListAccessible(list);
    // A spin box's edit part is presented by its spin box, as Qt does.
    auto *edit = qobject_cast<QLineEdit *>(widget);
    if (edit && edit->objectName() != QLatin1String("qt_spinbox_lineedit"))
        return new LineEditAccessible(edit);
    if (auto *option = qobject_cast<QRadioButton *>(widget))
        return new OptionAccessible(option);
    if (auto *announcer = qobject_cast<Announcer *>(widget))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    if (isOutOfSight(widget))
        return new OutOfSightAccessible(widget);
    return nullptr;
}

void describeRanges(const config::FormControls &controls)
{
    for (const config::NumberSetting &field : config::kNumbers) {
        QLineEdit *box = controls.number(field);
        const QString range =
            QCoreApplication::translate("ui::Accessibility",
                                        "Accepts whole numbers from %1 to %2.")
                .arg(field.bounds.lower)
                .arg(field.bounds.upper);
        const QString about = box->accessibleDescription();
        box->setAccessibleDescription(about.isEmpty() ? range : about + QLatin1Char(' ') + range);
    }
}

bool isWindowAccessible(const QAccessibleInterface *iface)
{
    return dynamic_cast<const WindowInterface *>(iface) != nullptr;
}

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(windowAccessible);
        ChangesToldOnce::install();
        return true;
    }();
    (void)installed;
}

} // namespace ui
