#pragma once

#include "widgets/windowdrag.h"

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;

namespace talco {

class ImageList;
class Picture;

// The about window: the product, its version, the maker and the maker's web site.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    // openSite opens the maker's web site; langue is the main window's language.
    frmAbout(QWidget* mainWindow, ImageList& images, const QString& langue,
             std::function<void()> openSite);

    void Initialisation(const QString& langue) { m_langue = langue; }

    struct Widgets {
        Picture* ImgFond = nullptr;
        QLabel* Label1 = nullptr;
        QLabel* Version = nullptr;
        QLabel* Fournisseur = nullptr;
        QLabel* Adresse1 = nullptr;
        QLabel* CPVille = nullptr;
        QLabel* Pays = nullptr;
        QLabel* SiteKorvelsoft = nullptr;
        Picture* SiteInternet = nullptr;
        Picture* Quitter = nullptr;
    };
    const Widgets& widgets() const { return m_w; }

    // "Version 3.0.7" in French, "Release 3.0.7" in English.
    static QString versionLine(const QString& langue);

    void SiteInternet_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load(const QString& langue);

    QWidget* m_main;
    ImageList& m_images;
    std::function<void()> m_openSite;
    Widgets m_w;
    QString m_langue;
    WindowDrag m_drag;
};

} // namespace talco
