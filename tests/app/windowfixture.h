#pragma once

// Starts the real main window in a folder of its own, as the entry procedure does.

#include "app/frmmain.h"
#include "app/tapecell.h"
#include "app/tapeview.h"
#include "support/qstringprint.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace talco::testing {

using namespace Qt::StringLiterals;

// Names a parameterised test's rows by their names.
inline constexpr auto RowName = [](const auto& info) { return std::string(info.param.name); };

class WindowTest : public ::testing::Test {
public:
    QTemporaryDir folder;
    std::unique_ptr<frmMain> window;
    QStringList told;                             // messages the window showed
    QStringList asked;                            // questions it asked
    bool answer = false;                          // the answer to every question
    std::function<void()> openSite;               // opens the maker's site, when set
    std::function<void(const QString&)> whenTold; // runs while a message is shown
    // Answers to the file dialogs, when a test expects them.
    std::function<QString(const QString&, bool*)> chooseFile;

    QString path(const QString& name) const { return folder.filePath(name); }

    void writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void start(const char* locale = "fr_FR", const QString& fichierIn = QString())
    {
        ASSERT_TRUE(folder.isValid());
        AppContext context(folder.path(), QLocale(QString::fromLatin1(locale)));
        context.chooseFile = chooseFile;
        context.openSite = openSite;
        // Messages and questions are recorded, never shown: nothing may wait for a click.
        context.tell = [this](const QString& text) {
            told << text;
            if (whenTold)
                whenTold(text);
        };
        context.ask = [this](const QString& question) {
            asked << question;
            return answer;
        };
        window = std::make_unique<frmMain>(context);
        window->G_FichierIn = fichierIn;
        window->Form_Load();
        // As the program does once the window is loaded.
        window->show();
        window->activateWindow();
        QCoreApplication::processEvents();
    }

    TapeCell* nombre(int row) const { return window->view().cell(CellId::Nombre(row)); }
    TapeCell* op(int row) const { return window->view().cell(CellId::Op(row)); }

    // Both hint panels are shown, or both hidden.
    bool hints(bool shown) const
    {
        return window->widgets().FrameAide1->isVisible() == shown &&
               window->widgets().FrameAide2->isVisible() == shown;
    }
};

// A tape text: one line per entry ("op\tnumber"), numbered from 0, each ending CR LF;
// when full is set, padded with empty rows to 100 lines and closed by the record of
// French separators, as the program writes a tape.
inline QByteArray tapeFile(const QList<QByteArray>& rows, bool full = false)
{
    QByteArray text;
    int i = 0;
    for (const QByteArray& row : rows)
        text += QByteArray::number(i++) + '\t' + row + "\r\n";
    for (; full && i < 100; ++i)
        text += QByteArray::number(i) + "\t\t\r\n";
    if (full)
        text += "separators\tU+002C\tU+00A0\r\n";
    return text;
}

} // namespace talco::testing
