// Writes the shape of the utility's window (see windowshape.h) as C++ data
// for the plain window: builds the window on the simulated sensor, walks its
// controls in the order they were made and prints each one's class,
// container, place, text, font and state.
// Usage: ostraval-bench-describe OUTPUT
#include "announcer.h"
#include "form1.h"
#include "quietboxes.h"
#include "windowshape.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextStream>

#include <cstdio>
#include <stdexcept>

namespace {

// A C++ UTF-16 string literal for `text`, every character outside printable
// ASCII written as a \u escape.
QString literal(const QString &text)
{
    QString out = QStringLiteral("u\"");
    for (QChar c : text) {
        if (c == u'"' || c == u'\\')
            out += u'\\' + QString(c);
        else if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out + u'"';
}

QString optionalLiteral(const QString &text)
{
    return text.isNull() ? QStringLiteral("nullptr") : literal(text);
}

class Describer {
public:
    void describeWindow(QWidget *window)
    {
        windowFont_ = fontIndex(window->font());
        windowTitle_ = window->windowTitle();
        windowSize_ = window->size();
        describeChildren(window, -1);
    }

    void write(QTextStream &out) const
    {
        out << "// Made by ostraval-bench-describe from the utility's window; not edited by hand.\n"
               "namespace {\n\nusing namespace bench::shape;\n\nconst Font kFonts[] = {\n";
        for (const QFont &font : fonts_)
            out << "    {" << literal(font.family()) << ", " << font.pointSizeF() << ", "
                << (font.bold() ? "true" : "false") << "},\n";
        out << "};\n\n";
        for (qsizetype i = 0; i < rowLists_.size(); ++i) {
            out << "const char16_t *const kRows" << i << "[] = {\n";
            for (const QString &row : rowLists_[i])
                out << "    " << literal(row) << ",\n";
            out << "};\n";
        }
        out << "\nconst RowList kRowLists[] = {\n";
        for (qsizetype i = 0; i < rowLists_.size(); ++i)
            out << "    {kRows" << i << ", " << rowLists_[i].size() << "},\n";
        out << "};\n\nconst Control kControls[] = {\n";
        for (const QString &line : controls_)
            out << "    " << line << ",\n";
        out << "};\n\nconst Window kWindow = {" << literal(windowTitle_) << ", "
            << windowSize_.width() << ", " << windowSize_.height() << ", " << windowFont_
            << "};\n\n} // namespace\n";
    }

private:
    int fontIndex(const QFont &font)
    {
        for (qsizetype i = 0; i < fonts_.size(); ++i) {
            if (fonts_[i].family() == font.family() && fonts_[i].pointSizeF() == font.pointSizeF()
                && fonts_[i].bold() == font.bold())
                return int(i);
        }
        fonts_.append(font);
        return int(fonts_.size() - 1);
    }

    int rowListIndex(const QComboBox *list)
    {
        QStringList rows;
        for (int i = 0; i < list->count(); ++i)
            rows.append(list->itemText(i));
        const qsizetype at = rowLists_.indexOf(rows);
        if (at >= 0)
            return int(at);
        rowLists_.append(rows);
        return int(rowLists_.size() - 1);
    }

    void describeChildren(QWidget *container, int parent)
    {
        for (QObject *object : container->children()) {
            auto *widget = qobject_cast<QWidget *>(object);
            // The announcer draws nothing and is only for assistive technology.
            if (widget && !widget->objectName().startsWith(QLatin1String("qt_")) &&
                !qobject_cast<ui::Announcer *>(widget))
                describe(widget, parent);
        }
    }

    int add(QWidget *w, const char *kind, int parent, const QString &text, int detail = 0,
            int rows = 0, unsigned flags = 0, unsigned textColour = 0)
    {
        // Pages are shown and hidden by their tab widget.
        if (w->isHidden() && qstrcmp(kind, "Page") != 0)
            flags |= bench::shape::Hidden;
        if (!w->isEnabled())
            flags |= bench::shape::Disabled;
        const int font = w->testAttribute(Qt::WA_SetFont) ? fontIndex(w->font()) : -1;
        const QRect at = w->geometry();
        // Joined rather than formatted, so that no caption is read as a placeholder.
        const auto number = [](int n) { return QString::number(n); };
        controls_.append(QStringList{QLatin1String("{Kind::") + QLatin1String(kind),
                                     number(parent),
                                     literal(w->objectName()).mid(1),
                                     number(at.x()),
                                     number(at.y()),
                                     number(at.width()),
                                     number(at.height()),
                                     optionalLiteral(text),
                                     number(font),
                                     number(detail),
                                     number(rows),
                                     QString::number(textColour),
                                     number(int(flags)) + u'}'}
                             .join(QLatin1String(", ")));
        return int(controls_.size() - 1);
    }

    void describe(QWidget *w, int parent)
    {
        using namespace bench::shape;
        if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            const int at = add(w, "Tabs", parent, {});
            for (int i = 0; i < tabs->count(); ++i)
                describeChildren(tabs->widget(i), add(tabs->widget(i), "Page", at, tabs->tabText(i)));
        } else if (auto *frame = qobject_cast<QGroupBox *>(w)) {
            describeChildren(w, add(w, "Frame", parent, frame->title()));
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            const QPalette::ColorRole role = label->foregroundRole();
            const bool ownColour = role != QPalette::WindowText ||
                                   label->testAttribute(Qt::WA_SetPalette);
            add(w, "Label", parent, label->text(), int(label->alignment()), 0,
                label->wordWrap() ? unsigned(WordWrap) : 0u,
                ownColour ? unsigned(label->palette().color(role).rgba()) : 0u);
        } else if (auto *text = qobject_cast<QLineEdit *>(w)) {
            add(w, "Text", parent, text->text(), int(text->alignment()), 0,
                text->isReadOnly() ? unsigned(ReadOnly) : 0u);
        } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
            add(w, "Check", parent, check->text(), check->isChecked());
        } else if (auto *option = qobject_cast<QRadioButton *>(w)) {
            add(w, "Option", parent, option->text(), option->isChecked());
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            add(w, "Button", parent, button->text());
        } else if (auto *list = qobject_cast<QComboBox *>(w)) {
            add(w, "List", parent, {}, list->currentIndex(), rowListIndex(list));
        } else if (auto *shape = qobject_cast<QFrame *>(w);
                   shape && w->metaObject() == &QFrame::staticMetaObject) {
            add(w, "Shape", parent, {}, shape->frameStyle());
        } else {
            throw std::runtime_error(std::string("no plain counterpart for a ")
                                     + w->metaObject()->className() + " ("
                                     + w->objectName().toStdString() + ")");
        }
    }

    int windowFont_ = -1;
    QString windowTitle_;
    QSize windowSize_;
    QList<QFont> fonts_;
    QList<QStringList> rowLists_;
    QStringList controls_;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: ostraval-bench-describe OUTPUT\n");
        return 2;
    }
    bench::QuietBoxes boxes;
    Form1 form(boxes);
    Describer describer;
    try {
        describer.describeWindow(&form);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "ostraval-bench-describe: %s\n", e.what());
        return 1;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "ostraval-bench-describe: cannot write %s\n", argv[1]);
        return 1;
    }
    QTextStream out(&file);
    describer.write(out);
    return 0;
}
