// The yardstick for the utility's start-up: a bare Qt window of the same
// shape (a window of the same size holding a four-page tab widget) with as
// many controls of each kind as the utility's window, placed in plain rows,
// its lists filled with as many rows as the key lists hold.
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

#include <functional>

namespace {

struct Kind {
    const char *name;
    int count;
    std::function<QWidget *(int)> create;
};

constexpr int kListRows = 104;

QWidget *filledList(int)
{
    auto *list = new QComboBox;
    for (int row = 0; row < kListRows; ++row)
        list->addItem(QStringLiteral("Row %1").arg(row), row);
    return list;
}

// The utility window's controls by kind, as its layout tables create them.
const Kind kKinds[] = {
    {"label", 50, [](int i) -> QWidget * { return new QLabel(QStringLiteral("Label %1").arg(i)); }},
    {"text", 33, [](int) -> QWidget * { return new QLineEdit; }},
    {"check", 102, [](int i) -> QWidget * { return new QCheckBox(QStringLiteral("Check %1").arg(i)); }},
    {"option", 3, [](int i) -> QWidget * { return new QRadioButton(QStringLiteral("Option %1").arg(i)); }},
    {"button", 6, [](int i) -> QWidget * { return new QPushButton(QStringLiteral("Button %1").arg(i)); }},
    {"frame", 13, [](int i) -> QWidget * { return new QGroupBox(QStringLiteral("Frame %1").arg(i)); }},
    {"shape", 5, [](int) -> QWidget * { return new QFrame; }},
    {"list", 12, filledList},
};

void fill(QTabWidget *tabs)
{
    constexpr int kColumns = 6, kRows = 10, kWidth = 110, kHeight = 22;
    int placed = 0;
    for (const Kind &kind : kKinds) {
        for (int i = 0; i < kind.count; ++i, ++placed) {
            const int perPage = kColumns * kRows;
            QWidget *page = tabs->widget(placed / perPage % tabs->count());
            const int cell = placed % perPage;
            QWidget *w = kind.create(i);
            w->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(kind.name)).arg(i));
            w->setParent(page);
            w->setGeometry(6 + cell % kColumns * (kWidth + 4), 6 + cell / kColumns * (kHeight + 2),
                           kWidth, kHeight);
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
    fill(tabs);
    bench::reportWhenShownAndIdle(&window);
    window.show();
    return app.exec();
}
