// The looser of the utility's two start-up yardsticks: a bare Qt window of
// the same size holding a four-page tab widget, with as many controls of each
// kind on each page as the utility's window, placed in plain rows under short
// placeholder captions in the application's font, its lists filled with as
// many rows as the key lists hold. (The plain window is the close one: the
// utility's window itself, built by plain Qt code.)
#include "startupprobe.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <map>

namespace {

constexpr int kListRows = 104;
constexpr int kWindow = -1;

enum class Kind { Label, Text, Check, Option, Button, Frame, Shape, List };

QWidget *create(Kind kind, int i)
{
    const QString caption = QStringLiteral("Caption %1").arg(i);
    switch (kind) {
    case Kind::Label: return new QLabel(caption);
    case Kind::Text: return new QLineEdit;
    case Kind::Check: return new QCheckBox(caption);
    case Kind::Option: return new QRadioButton(caption);
    case Kind::Button: return new QPushButton(caption);
    case Kind::Frame: return new QGroupBox(caption);
    case Kind::Shape: return new QFrame;
    case Kind::List: {
        auto *list = new QComboBox;
        for (int row = 0; row < kListRows; ++row)
            list->addItem(QStringLiteral("Row %1").arg(row), row);
        return list;
    }
    }
    return nullptr;
}

// The utility window's controls by container (a page, or the window itself)
// and kind, shown and hidden, as its layout tables create them.
struct Group {
    int page;
    Kind kind;
    int shown;
    int hidden = 0;
};

const Group kGroups[] = {
    {kWindow, Kind::Label, 4},    {kWindow, Kind::Text, 2, 4}, {kWindow, Kind::Check, 10},
    {kWindow, Kind::Button, 3},   {kWindow, Kind::Frame, 1},   {kWindow, Kind::List, 1},
    {0, Kind::Label, 10, 1},      {0, Kind::Text, 4, 1},       {0, Kind::Check, 4},
    {0, Kind::Option, 3},         {0, Kind::Button, 3},        {0, Kind::Frame, 1},
    {0, Kind::Shape, 5},
    {1, Kind::Label, 11, 1},      {1, Kind::Text, 6, 6},       {1, Kind::Check, 40},
    {1, Kind::Frame, 5},          {1, Kind::List, 5},
    {2, Kind::Label, 11, 1},      {2, Kind::Text, 6, 1},       {2, Kind::Check, 40},
    {2, Kind::Frame, 5},          {2, Kind::List, 5},
    {3, Kind::Label, 11},         {3, Kind::Text, 2, 1},       {3, Kind::Check, 8},
    {3, Kind::Frame, 1},          {3, Kind::List, 1},
};

// Places the controls of each container in plain rows and columns.
void fill(QWidget *window, QTabWidget *tabs)
{
    constexpr int kColumns = 6, kWidth = 110, kHeight = 22;
    std::map<int, int> placed;
    int named = 0;
    for (const Group &group : kGroups) {
        QWidget *container = group.page == kWindow ? window : tabs->widget(group.page);
        for (int i = 0; i < group.shown + group.hidden; ++i) {
            const int cell = placed[group.page]++;
            QWidget *w = create(group.kind, i);
            w->setObjectName(QStringLiteral("control%1").arg(named++));
            w->setParent(container);
            w->setGeometry(6 + cell % kColumns * (kWidth + 4), 6 + cell / kColumns * (kHeight + 2),
                           kWidth, kHeight);
            w->setHidden(i >= group.shown);
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(720, 389);
    auto *tabs = new QTabWidget(&window);
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->setGeometry(8, 48, 697, 281);
    for (const char *caption : {"One", "Two", "Three", "Four"})
        tabs->addTab(new QWidget, QString::fromLatin1(caption));
    fill(&window, tabs);
    bench::reportWhenShownAndIdle(&window);
    window.show();
    return app.exec();
}
