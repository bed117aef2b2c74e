// The second yardstick for the utility's start-up: the utility's window as
// plain Qt code builds it. The same controls of the same classes in the same
// places, with the same captions, texts, fonts, list rows and states, read
// from the real window at build time (windowshape.h), but none of the
// utility's own work: no layout tables, no control index, no accessible
// names, tool tips or handlers, no shared list model, no sensor.
#include "startupprobe.h"
#include "windowshape.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <vector>

#include "window_shape.inc"

namespace {

QString text(const char16_t *literal)
{
    return literal ? QString::fromUtf16(literal) : QString();
}

QFont font(int index)
{
    const bench::shape::Font &f = kFonts[index];
    QFont font(text(f.family));
    font.setPointSizeF(f.pointSize);
    font.setBold(f.bold);
    return font;
}

QStringList rows(int index)
{
    QStringList list;
    list.reserve(kRowLists[index].count);
    for (int i = 0; i < kRowLists[index].count; ++i)
        list.append(text(kRowLists[index].rows[i]));
    return list;
}

QWidget *create(const Control &c, QWidget *parent)
{
    switch (c.kind) {
    case Kind::Label: {
        auto *label = new QLabel(text(c.text), parent);
        label->setAlignment(Qt::Alignment(c.detail));
        label->setWordWrap(c.flags & WordWrap);
        if (c.textColour) {
            QPalette palette;
            palette.setColor(QPalette::WindowText, QColor::fromRgba(c.textColour));
            label->setPalette(palette);
        }
        return label;
    }
    case Kind::Text: {
        auto *edit = new QLineEdit(text(c.text), parent);
        edit->setAlignment(Qt::Alignment(c.detail));
        edit->setReadOnly(c.flags & ReadOnly);
        return edit;
    }
    case Kind::Check: {
        auto *check = new QCheckBox(text(c.text), parent);
        check->setChecked(c.detail);
        return check;
    }
    case Kind::Option: {
        auto *option = new QRadioButton(text(c.text), parent);
        option->setChecked(c.detail);
        return option;
    }
    case Kind::Button:
        return new QPushButton(text(c.text), parent);
    case Kind::Frame:
        return new QGroupBox(text(c.text), parent);
    case Kind::Shape: {
        auto *shape = new QFrame(parent);
        shape->setFrameStyle(c.detail);
        return shape;
    }
    case Kind::List: {
        auto *list = new QComboBox(parent);
        list->addItems(rows(c.rows));
        list->setCurrentIndex(c.detail);
        return list;
    }
    case Kind::Tabs:
        return new QTabWidget(parent);
    case Kind::Page: {
        auto *page = new QWidget;
        static_cast<QTabWidget *>(parent)->addTab(page, text(c.text));
        return page;
    }
    }
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(text(kWindow.title));
    window.setFont(font(kWindow.font));
    window.setFixedSize(kWindow.width, kWindow.height);

    std::vector<QWidget *> made;
    for (const Control &c : kControls) {
        QWidget *w = create(c, c.parent < 0 ? &window : made[c.parent]);
        w->setObjectName(QLatin1String(c.name));
        if (c.kind != Kind::Page)
            w->setGeometry(c.x, c.y, c.width, c.height);
        if (c.font >= 0)
            w->setFont(font(c.font));
        if (c.flags & Hidden)
            w->hide();
        if (c.flags & Disabled)
            w->setEnabled(false);
        made.push_back(w);
    }
    bench::reportWhenShownAndIdle(&window);
    window.show();
    return app.exec();
}
