// The yardstick for what Talco's design costs in itself: the text yardstick also showing
// what Talco's window shows at start, each part as a stock widget and with no program
// behind it. The pictures are Talco's 1x PNG, read as Talco reads them (the format
// given); the tape is the 14 shown rows of one-line fields holding the sample tape; the
// menu is four labels in the menu face. No scroll bar: a stock one, drawn by the style,
// costs more memory than Talco's own.
// Usage: design PNG-FOLDER (build/assets/png, where the build renders the pictures).

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        qCritical("usage: design PNG-FOLDER");
        return 2;
    }
    QWidget window;
    window.resize(190, 469);
    new QLabel(QStringLiteral("13 896,78"), &window);

    const QDir root(QString::fromLocal8Bit(argv[1]));
    int shown = 0;
    for (const char* folder : {"skin", "keys", "buttons", "cursors"}) {
        const QDir dir(root.filePath(QString::fromLatin1(folder)));
        for (const QString& name : dir.entryList({QStringLiteral("*.png")})) {
            // Each key's normal state only, as hovered and pressed pictures wait for the
            // mouse; the about and options skins belong to windows that are not open.
            if (name.contains(u'@') || name.contains(QLatin1String("_on")) ||
                name.contains(QLatin1String("_over")) || name.startsWith(QLatin1String("about")) ||
                name.startsWith(QLatin1String("options")))
                continue;
            QImageReader reader(dir.filePath(name), "png");
            reader.setAutoDetectImageFormat(false);
            auto* label = new QLabel(&window);
            label->setPixmap(QPixmap::fromImage(reader.read()));
            label->move((shown % 6) * 31, 20 + (shown / 6) * 31);
            ++shown;
        }
    }
    if (shown == 0) {
        qCritical("design: no PNG pictures under %s", argv[1]);
        return 1;
    }

    const char16_t* const sample[][2] = {
        {u"", u"13 896,78"}, {u"+", u"756,00"}, {u"+", u"1 256,25"}, {u"=", u"15 909,03"}};
    for (int row = 0; row < 14; ++row) {
        const bool filled = row < 4;
        const bool result = row == 3;
        for (int field = 0; field < 2; ++field) {
            auto* cell = new QLineEdit(&window);
            cell->setFrame(false);
            if (filled)
                cell->setText(QString::fromUtf16(sample[row][field]));
            QFont font = cell->font();
            font.setPointSize(field == 0 ? 12 : 10);
            font.setBold(result);
            cell->setFont(font);
            cell->setGeometry(field == 0 ? 0 : 20, 200 + row * 17, field == 0 ? 20 : 150, 17);
        }
    }

    QFont menu;
    menu.setFamilies({QStringLiteral("Century Gothic"), QStringLiteral("URW Gothic"),
                      QStringLiteral("DejaVu Sans")});
    menu.setPointSizeF(6.75);
    const char16_t* const entries[] = {u"Options", u"A propos", u"Aide", u"www.korvelsoft.com"};
    for (int i = 0; i < 4; ++i) {
        QFont font = menu;
        font.setBold(i == 3);
        auto* label = new QLabel(QString::fromUtf16(entries[i]), &window);
        label->setFont(font);
        label->move(i * 45, 450);
    }

    window.show();
    return app.exec();
}
