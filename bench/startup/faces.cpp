// The yardstick for what Talco's fonts alone cost: the bare window showing one line of
// text in each face its window draws text in at start, as stock labels. Each face is a
// font size or weight of its own, which the font system matches, loads and shapes for.

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    const QStringList menuFace = {QStringLiteral("Century Gothic"), QStringLiteral("URW Gothic"),
                                  QStringLiteral("DejaVu Sans")};
    // The tape's figures (10 points) and operators (12), plain and for results; the menu
    // labels; the maker's label; and a smaller size of it, as the label takes to fit its
    // width where the designed face is not installed.
    const struct {
        qreal points;
        bool bold;
        bool menu;
    } faces[] = {{10, false, false},  {10, true, false},  {12, false, false}, {12, true, false},
                 {6.75, false, true}, {6.75, true, true}, {6.5, true, true}};
    for (const auto& face : faces) {
        auto* label = new QLabel(QStringLiteral("13 896,78 ="));
        QFont font = label->font();
        if (face.menu)
            font.setFamilies(menuFace);
        font.setPointSizeF(face.points);
        font.setBold(face.bold);
        label->setFont(font);
        layout->addWidget(label);
    }
    window.resize(190, 469);
    window.show();
    return app.exec();
}
