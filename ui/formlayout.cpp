#include "formlayout.h"

#include "aboutpage.h"
#include "accessibility.h"
#include "contrast.h"
#include "initialsetuppage.h"
#include "keystrokepage.h"
#include "keylist.h"
#include "outofsight.h"
#include "pictures.h"
#include "settings.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace ui {

QRect toPixels(const Twips &t, int dpi)
{
    const double pixelsPerTwip = double(dpi) / kTwipsPerInch;
    return QRect(qRound(t.left * pixelsPerTwip), qRound(t.top * pixelsPerTwip),
                 qRound(t.width * pixelsPerTwip), qRound(t.height * pixelsPerTwip));
}

namespace {

// The window itself, outside the tab container.
const std::vector<ControlRow> &windowControls()
{
    static const std::vector<ControlRow> table = {
        {Kind::Label, "Label7", QT_TRANSLATE_NOOP("Form1", "Ostraval\u00AE Configuration Utility"), {1680, 120, 7095, 495}},
        {Kind::Check, "CheckCnct", QT_TRANSLATE_NOOP("Form1", "Connect USB Device"), {120, 5160, 2100, kLineHeight}, nullptr,
         Disabled},
        {Kind::Label, "Label10", QT_TRANSLATE_NOOP("Form1", "Status"), {2220, 5160, 600, kLineHeight}, nullptr, AlignRight,
         nullptr, "LastErr"},
        {Kind::Text, "LastErr", nullptr, {2880, 5160, 1935, kTextHeight}},
        {Kind::Check, "ConfigChanged", QT_TRANSLATE_NOOP("Form1", "Config Changed"), {4920, 5160, 1650, kLineHeight}, nullptr,
         Disabled},
        {Kind::Button, "Command2", QT_TRANSLATE_NOOP("Form1", "OK"), {6600, 5160, 1215, 375}},
        {Kind::Button, "Command3", QT_TRANSLATE_NOOP("Form1", "Cancel"), {8040, 5160, 1095, 375}},
        //: The button that writes the changes to the sensor
        {Kind::Button, "Command4", QT_TRANSLATE_NOOP("Form1", "Apply"), {9360, 5160, 1095, 375}},
        {Kind::Text, "bInRange", nullptr, {0, 0, 375, kTextHeight}, nullptr, Hidden},
        {Kind::Text, "bInRangePend", nullptr, {0, 0, 375, kTextHeight}, nullptr, Hidden},
        {Kind::Text, "bOutRangePend", nullptr, {0, 0, 375, kTextHeight}, nullptr, Hidden},
        {Kind::Text, config::kSlots[config::kIdleSlot].codeText, nullptr, {0, 0, 375, kTextHeight},
         nullptr, Hidden | CodeText},
    };
    return table;
}

// "Keystroke 6": the frame of the walk-up sequence's sixth keystroke, out of
// sight on the window.
const SlotRow &sixthFrame()
{
    static const SlotRow frame = {"Frame6(6)", QT_TRANSLATE_NOOP("Form1", "Keystroke 6"),
         {3840, 6840, kFrameWidth, kFrameHeight}, Disabled};
    return frame;
}

// One row of a keystroke frame's modifier grid: the left box (with the row's
// caption) and the right box (without), by bit value, and the modifier the
// row stands for.
struct ModifierRow {
    int leftBit;
    int rightBit;
    const char *caption;
    const char *modifier;
    int top;
};

constexpr std::array<ModifierRow, 4> kModifierRows = {{
    //: The Shift key modifier, short for a narrow check box
    {config::LeftShift, config::RightShift, QT_TRANSLATE_NOOP("Form1", "Shft"),
     //: The Shift key, in a check box's accessible name
     QT_TRANSLATE_NOOP("Form1", "Shift"), 600},
    //: The Ctrl key modifier
    {config::LeftCtrl, config::RightCtrl, QT_TRANSLATE_NOOP("Form1", "Ctrl"), "Ctrl", 960},
    //: The Alt key modifier
    {config::LeftAlt, config::RightAlt, QT_TRANSLATE_NOOP("Form1", "Alt"), "Alt", 1320},
    //: The GUI (Windows, Super) key modifier
    {config::LeftGui, config::RightGui, QT_TRANSLATE_NOOP("Form1", "GUI"), "GUI", 1680},
}};

constexpr int kLeftColumn = 360;
constexpr int kRightColumn = 1080;

// The window's client area and its tab container, in twips.
constexpr Twips kClientArea = {0, 0, 10800, 5835};
constexpr Twips kTabContainer = {120, 720, 10455, 4215};

// A text of the layout tables in the user's language; empty for none.
QString shown(const char *text)
{
    return text ? QCoreApplication::translate("Form1", text) : QString();
}

// Control array elements are named "Array(index)". The names are joined
// rather than formatted: some two hundred are made at start-up.
QString elementName(const char *array, int index)
{
    return QLatin1String(array) + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

QString modifierBoxName(int bit, int slot)
{
    return QLatin1String("Key1Mods") + QString::number(bit) + QLatin1Char('(') +
           QString::number(slot) + QLatin1Char(')');
}

QString keyListName(int slot)
{
    return QStringLiteral("Combo%1").arg(slot + 1);
}

// `base` in the named family where that family is installed; otherwise in
// base's own family, which saves searching for a substitute at start-up.
// (The installed families are listed once: asking for one family by name
// resolves aliases, which costs as much as the substitution.)
QFont fontInFamily(QFont base, const QString &family)
{
    static const QStringList installed = QFontDatabase::families();
    if (installed.contains(family, Qt::CaseInsensitive))
        base.setFamilies({family});
    return base;
}

QFont headingFont(const QFont &dialogFont)
{
    QFont font = fontInFamily(dialogFont, QStringLiteral("Arial"));
    font.setPointSizeF(9);
    font.setBold(true);
    return font;
}

// Places controls on one container, whose own origin lies `origin` pixels
// from the origin of the twips it is laid out in (the tab container's page
// area starts below its row of tabs), and records them in the index. A
// control whose top lies at or below the container's lower edge (`height`
// twips) is out of sight.
class Placer {
public:
    Placer(QWidget *container, int height, int dpi, ControlIndex &index, QPoint origin = {})
        : container_(container), height_(height), dpi_(dpi), index_(&index), origin_(origin)
    {
    }

    QWidget *container() const { return container_; }
    int dpi() const { return dpi_; }

    // The parent of a control placed on the container, or inside `frame`.
    // Controls are created with their parent: given one later, each would
    // take on the window's font anew.
    QWidget *parentFor(QWidget *frame) const { return frame ? frame : container_; }

    // Places `widget`, a child of parentFor(frame), at twips relative to the
    // container or the frame.
    void place(QWidget *widget, const Twips &at, QWidget *frame = nullptr) const
    {
        widget->setGeometry(frame ? toPixels(at, dpi_) : toPixels(at, dpi_).translated(-origin_));
        if (!widget->objectName().isEmpty())
            index_->insert(widget->objectName(), widget);
        if (!frame && at.top >= height_)
            markOutOfSight(widget);
    }

private:
    QWidget *container_;
    int height_;
    int dpi_;
    ControlIndex *index_;
    QPoint origin_;
};

QWidget *createControl(const ControlRow &entry, QWidget *parent)
{
    const QString caption = shown(entry.caption);
    switch (entry.kind) {
    case Kind::Label: {
        auto *label = new QLabel(caption, parent);
        Qt::Alignment align = Qt::AlignVCenter;
        align |= (entry.flags & AlignRight) ? Qt::AlignRight : Qt::AlignLeft;
        if (entry.flags & Heading)
            align = Qt::AlignCenter;
        if (entry.flags & Wrap)
            align = Qt::AlignLeft | Qt::AlignTop;
        label->setAlignment(align);
        label->setWordWrap(entry.flags & Wrap);
        return label;
    }
    case Kind::Text:
        return new QLineEdit((entry.flags & CodeText) ? QStringLiteral("Text4") : QString(), parent);
    case Kind::Check:
        return new QCheckBox(caption, parent);
    case Kind::Option:
        return new QRadioButton(caption, parent);
    case Kind::Button: {
        auto *button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        return button;
    }
    case Kind::Frame:
        return new QGroupBox(caption, parent);
    case Kind::Shape: {
        auto *shape = new QFrame(parent);
        shape->setFrameStyle(QFrame::Box | QFrame::Plain);
        shape->setAttribute(Qt::WA_TransparentForMouseEvents);
        return shape;
    }
    case Kind::Picture:
        return new Picture(parent);
    }
    return nullptr;
}

void applyCommon(QWidget *widget, const ControlRow &entry)
{
    widget->setObjectName(QString::fromLatin1(entry.name));
    if (entry.toolTip) {
        widget->setToolTip(shown(entry.toolTip));
        widget->setAccessibleDescription(widget->toolTip());
    }
    if (entry.accessibleName)
        widget->setAccessibleName(shown(entry.accessibleName));
    if (entry.flags & Disabled)
        widget->setEnabled(false);
    if (entry.flags & Hidden)
        widget->setHidden(true);
}

// A caption label becomes the buddy of the control it captions, which is
// named by the caption unless it has a name of its own.
void captionControls(const ControlIndex &index, const std::vector<ControlRow> &table)
{
    for (const ControlRow &entry : table) {
        if (!entry.buddy)
            continue;
        auto *label = qobject_cast<QLabel *>(index.value(QLatin1String(entry.name)));
        QWidget *control = index.value(QLatin1String(entry.buddy));
        label->setBuddy(control);
        if (control->accessibleName().isEmpty())
            control->setAccessibleName(label->text().trimmed());
    }
}

void buildControls(const Placer &placer, const std::vector<ControlRow> &table,
                   const ControlIndex &index)
{
    for (const ControlRow &entry : table) {
        QWidget *frame = entry.parent ? index.value(QLatin1String(entry.parent)) : nullptr;
        QWidget *widget = createControl(entry, placer.parentFor(frame));
        applyCommon(widget, entry);
        if (entry.flags & Heading)
            widget->setFont(headingFont(placer.container()->font()));
        placer.place(widget, entry.at, frame);
    }
    captionControls(index, table);
}

// A keystroke frame with the controls of one slot, in reading order: the
// modifier grid row by row, then the key list and its code text.
void buildKeystrokeFrame(const Placer &placer, int slot, const SlotRow &entry)
{
    const QString slotName = shown(entry.name);
    const config::SlotSetting &setting = config::kSlots[slot];
    auto *frame = new QGroupBox(shown(setting.caption), placer.parentFor(nullptr));
    frame->setObjectName(QLatin1String(entry.frame));
    frame->setAccessibleName(slotName);
    if (entry.toolTip) {
        frame->setToolTip(shown(entry.toolTip));
        frame->setAccessibleDescription(frame->toolTip());
    }
    placer.place(frame, entry.at);

    auto add = [&](QWidget *widget, const QString &name, const QString &accessibleName,
                   const Twips &at) {
        widget->setObjectName(name);
        widget->setAccessibleName(accessibleName);
        placer.place(widget, at, frame);
    };
    auto columnLabel = [&](const char *array, const char *caption, const Twips &at) {
        auto *label = new QLabel(shown(caption), frame);
        label->setAlignment(Qt::AlignCenter);
        add(label, elementName(array, slot), QString(), at);
    };

    //: The column of the left-hand modifier keys
    columnLabel("Label11", QT_TRANSLATE_NOOP("Form1", "Left"), {120, 240, 735, kLineHeight});
    //: The column of the right-hand modifier keys
    columnLabel("Label12", QT_TRANSLATE_NOOP("Form1", "Right"), {960, 240, 615, kLineHeight});
    for (const ModifierRow &row : kModifierRows) {
        const QString modifier = shown(row.modifier);
        add(new QCheckBox(shown(row.caption), frame), modifierBoxName(row.leftBit, slot),
            //: A modifier check box's accessible name: %1 is the keystroke
            //: ("Walk-away keystroke 1"), %2 the modifier key ("Shift")
            QCoreApplication::translate("Form1", "%1 left %2").arg(slotName, modifier),
            {kLeftColumn, row.top, 660, kLineHeight});
        add(new QCheckBox(frame), modifierBoxName(row.rightBit, slot),
            QCoreApplication::translate("Form1", "%1 right %2").arg(slotName, modifier),
            {kRightColumn, row.top, 255, kLineHeight});
    }

    // On some platforms a list is announced by its displayed value; the
    // label related to it, kept out of view, carries its name.
    //: The key list's accessible name: %1 is the keystroke ("Walk-away keystroke 1")
    const QString listName = QCoreApplication::translate("Form1", "%1 key").arg(slotName);
    auto *list = new KeyList(frame);
    add(list, keyListName(slot), listName, {120, 2160, 1095, 315});
    auto *listLabel = new QLabel(listName, frame);
    listLabel->setBuddy(list);
    listLabel->hide();

    auto *code = new QLineEdit(QStringLiteral("Text4"), frame);
    const Twips codeAt{1320, 2160, 375, kTextHeight};
    if (slot != config::kIdleSlot) {
        //: The key code box's accessible name: %1 is the keystroke
        add(code, QLatin1String(setting.codeText),
            QCoreApplication::translate("Form1", "%1 code").arg(slotName), codeAt);
        code->setEnabled(!(entry.codeFlags & Disabled));
        code->setHidden(entry.codeFlags & Hidden);
    } else {
        // The idle frame holds the sixth walk-away mask in the code text's
        // place; its own code text stands hidden on the window.
        code->clear();
        add(code, QStringLiteral("Key6Mods"),
            QCoreApplication::translate("Form1", "%1 modifiers").arg(slotName), codeAt);
        code->setEnabled(false);
        code->hide();
    }
}

// A keystroke page's five frames, slot by slot.
void buildKeystrokeFrames(const Placer &placer, const KeystrokePage::Layout &layout)
{
    for (int i = 0; i < config::kKeystrokesPerSequence; ++i)
        buildKeystrokeFrame(placer, layout.sequence->firstSlot + i, layout.frames[i]);
}

QTabWidget *buildTabContainer(QWidget *form, int dpi, ControlIndex &index)
{
    auto *tabs = new QTabWidget(form);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setGeometry(toPixels(kTabContainer, dpi));
    for (const char *caption : config::kPageCaptions) {
        auto *page = new QWidget;
        tabs->addTab(page, shown(caption));
    }
    tabs->setCurrentIndex(0);
    index.insert(tabs->objectName(), tabs);
    return tabs;
}

// Where a page's own origin lies in the tab container's coordinates.
QPoint pageOrigin(QTabWidget *tabs)
{
    const int frame = tabs->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, tabs);
    return {frame, tabs->tabBar()->sizeHint().height() + frame};
}

void styleBanner(QLabel *banner)
{
    QFont font = fontInFamily(banner->font(), QStringLiteral("Arial Black"));
    font.setPointSizeF(15.75);
    font.setBold(true);
    banner->setFont(font);
    showInHighlightColour(banner);
}

template <typename T> T *child(const ControlIndex &controls, const QString &name)
{
    T *found = qobject_cast<T *>(controls.value(name));
    if (!found)
        throw std::logic_error("the window has no control " + name.toStdString());
    return found;
}

template <typename T> T *child(const ControlIndex &controls, const char *name)
{
    return child<T>(controls, QString::fromLatin1(name));
}

// The width `w` needs for its caption to show whole: the ink of the text
// (not its advance) within the room the control gives it beside an indicator
// or inside a label's margins; a word-wrapped label the narrowest width at
// which its text takes no more than its height. Its own width when the
// caption fits or it has none.
int widthForCaption(QWidget *w)
{
    const QFontMetrics fm = w->fontMetrics();
    QString text;
    int room = w->width();
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (!label->pixmap().isNull())
            return w->width();
        if (label->wordWrap()) {
            int width = w->width();
            while (label->heightForWidth(width) > label->height() && width < 3 * w->width())
                ++width;
            return width;
        }
        text = label->text();
        room = label->contentsRect().width();
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        text = button->text();
        if (!qobject_cast<QPushButton *>(w)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = text;
            const auto element = qobject_cast<QRadioButton *>(w) ? QStyle::SE_RadioButtonContents
                                                                  : QStyle::SE_CheckBoxContents;
            room = w->style()->subElementRect(element, &option, w).width();
        }
    } else if (auto *frame = qobject_cast<QGroupBox *>(w)) {
        text = frame->title();
    }
    if (text.isEmpty())
        return w->width();
    const int needed = fm.boundingRect(text).width();
    return needed <= room ? w->width() : w->width() - room + needed;
}

// How much wider than its twips the layout must be for every caption in
// sight to show whole: 1 when all fit, as they do in English.
double widthFactor(const ControlIndex &index)
{
    double factor = 1;
    for (QWidget *w : index) {
        if (w->width() > 0 && !isOutOfSight(w))
            factor = std::max(factor, double(widthForCaption(w)) / w->width());
    }
    return factor;
}

// Widens the window, its tab container and every control placed on them by
// `factor`, each by its left and right edges, so that the layout keeps its
// proportions and no control comes to overlap another.
void widen(QWidget *form, const ControlIndex &index, double factor)
{
    auto scaled = [factor](int x) { return int(std::ceil(x * factor)); };
    for (QWidget *w : index) {
        const QRect g = w->geometry();
        const int left = scaled(g.left());
        w->setGeometry(left, g.top(), scaled(g.left() + g.width()) - left, g.height());
    }
    form->setFixedWidth(scaled(form->width()));
}

// Makes room for captions that are longer than their controls: a
// translation may need more than the English text the twips were made for.
// The layout grows wider as a whole, never the fonts smaller; English fits
// and keeps its pixels.
void makeRoomForCaptions(QWidget *form, const ControlIndex &index)
{
    const double factor = widthFactor(index);
    if (factor > 1)
        widen(form, index, factor);
}

} // namespace

ControlIndex buildWindow(QWidget *form, int dpi)
{
    // Before the first control: every control gets the window's interface
    // from the start.
    installAccessibility();
    ControlIndex index;
    form->setFixedSize(toPixels(kClientArea, dpi).size());
    QTabWidget *tabs = buildTabContainer(form, dpi, index);
    const QPoint origin = pageOrigin(tabs);
    const Placer window(form, kClientArea.height, dpi, index);
    auto page = [&](int i) {
        return Placer(tabs->widget(i), kTabContainer.height, dpi, index, origin);
    };
    const std::array<Placer, 4> pages = {page(0), page(1), page(2), page(3)};
    auto on = [&](config::Page which) -> const Placer & {
        return pages[static_cast<std::size_t>(which)];
    };

    // Creation order is the tab order: the first page, the twelve keystroke
    // frames by slot index, then the rest of each page and of the window.
    buildControls(on(config::Page::InitialSetup), InitialSetupPage::layout(), index);
    buildKeystrokeFrames(on(config::Page::WalkAway), KeystrokePage::walkAway());
    buildKeystrokeFrame(on(config::Page::About), config::kIdleSlot, AboutPage::idleFrame());
    buildKeystrokeFrames(on(config::Page::WalkUp), KeystrokePage::walkUp());
    buildKeystrokeFrame(window, config::kSixthSlot, sixthFrame());
    buildControls(on(config::Page::WalkAway), KeystrokePage::walkAway().belowFrames, index);
    buildControls(on(config::Page::WalkUp), KeystrokePage::walkUp().belowFrames, index);
    buildControls(on(config::Page::About), AboutPage::layout(), index);
    buildControls(window, windowControls(), index);

    keepOutOfReach(form);
    styleBanner(child<QLabel>(index, "Label7"));
    child<Picture>(index, "Image2")->setDrawing(sensorPicture, QSize(97, 70));
    child<Picture>(index, "Image1")->setDrawing(productPicture, QSize(400, 110));
    makeRoomForCaptions(form, index);
    return index;
}

config::FormControls findFormControls(const ControlIndex &controls)
{
    config::FormControls c;
    for (const config::NumberSetting &field : config::kNumbers)
        c.numbers[config::indexOf(field)] = child<QLineEdit>(controls, field.control);
    for (std::size_t i = 0; i < config::kLeds.size(); ++i)
        c.leds[i] = child<QCheckBox>(controls, config::kLeds[i].control);
    for (std::size_t i = 0; i < config::kKeySequences.size(); ++i)
        c.keyCounts[i] = child<QLineEdit>(controls, config::kKeySequences[i].countControl);
    c.wCurrRange = child<QLineEdit>(controls, "wCurrRange");
    c.bInRange = child<QLineEdit>(controls, "bInRange");
    c.bInRangePend = child<QLineEdit>(controls, "bInRangePend");
    c.bOutRangePend = child<QLineEdit>(controls, "bOutRangePend");
    for (int i = 0; i < 6; ++i)
        c.KeyMods[i] = child<QLineEdit>(controls, QStringLiteral("Key%1Mods").arg(i + 1));
    for (int slot = 0; slot < config::kSlotCount; ++slot) {
        config::KeystrokeSlot &s = c.keystrokes[slot];
        s.list = child<QComboBox>(controls, keyListName(slot));
        s.codeText = child<QLineEdit>(controls, config::kSlots[slot].codeText);
        for (std::size_t bit = 0; bit < config::kModifiers.size(); ++bit)
            s.mods[bit] = child<QCheckBox>(controls, modifierBoxName(config::kModifiers[bit].bit, slot));
    }
    c.ConfigChanged = child<QCheckBox>(controls, "ConfigChanged");
    return c;
}

WindowControls findWindowControls(const ControlIndex &controls)
{
    WindowControls w;
    w.SSTab1 = child<QTabWidget>(controls, "SSTab1");
    w.CheckCnct = child<QCheckBox>(controls, "CheckCnct");
    w.LastErr = child<QLineEdit>(controls, "LastErr");
    w.Command1 = child<QPushButton>(controls, "Command1");
    w.Command2 = child<QPushButton>(controls, "Command2");
    w.Command3 = child<QPushButton>(controls, "Command3");
    w.Command4 = child<QPushButton>(controls, "Command4");
    w.Command5 = child<QPushButton>(controls, "Command5");
    w.Command6 = child<QPushButton>(controls, "Command6");
    w.Check1 = child<QCheckBox>(controls, "Check1");
    w.Option1 = child<QRadioButton>(controls, "Option1");
    w.Option2 = child<QRadioButton>(controls, "Option2");
    w.Option3 = child<QRadioButton>(controls, "Option3");
    w.Text1 = child<QLineEdit>(controls, "Text1");
    w.lblTitle = child<QLabel>(controls, "lblTitle");
    w.lblVersion = child<QLabel>(controls, "lblVersion");
    w.Label18 = child<QLabel>(controls, "Label18");
    return w;
}

} // namespace ui
