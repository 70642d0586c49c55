#include "KWImpressumLayout.h"

#include "KWTranslateUtil.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include <array>

namespace {

struct TLibrary
{
    const char* Name;
    const char* Licence;
    const char* Text;
};

// German source texts; each is translated when shown.
constexpr std::array<TLibrary, 4> Libraries{{
    {"Qt 6", "GNU Lesser General Public License 3.0 (LGPL-3.0)",
     "Benutzeroberfläche, Datenbankzugriff und Netzwerk beruhen auf Qt 6 (© The Qt Company Ltd. "
     "und andere). Qt ist dynamisch eingebunden und darf durch eine eigene, kompatible Fassung "
     "ersetzt werden. Der Quelltext ist unter https://download.qt.io erhältlich."},
    {"JSON for Modern C++ (nlohmann/json)", "MIT-Lizenz",
     "Liest und schreibt die Beratungsdateien (© 2013-2022 Niels Lohmann). Nutzung, Änderung und "
     "Weitergabe sind erlaubt, wenn Urheberrechtsvermerk und Lizenztext erhalten bleiben. Ohne "
     "jede Gewährleistung."},
    {"SQLite", "Gemeinfrei (Public Domain)",
     "Speichert Betriebe und Beratungen in der lokalen Datenbank. Der Quelltext ist gemeinfrei "
     "und darf ohne Einschränkung genutzt werden."},
    {"cpp-httplib", "MIT-Lizenz",
     "HTTP-Server des zentralen Datenspeichers qomvi-datastore (© 2012 Yuji Hirose). Nutzung, "
     "Änderung und Weitergabe sind erlaubt, wenn Urheberrechtsvermerk und Lizenztext erhalten "
     "bleiben. Ohne jede Gewährleistung."},
}};

QString Tr(const char* AText)
{
    return KWTranslate(QString::fromUtf8(AText)).toHtmlEscaped();
}

QString FileRow(const char* ALabel, const QString& APath)
{
    return QStringLiteral("<tr><td style='padding-right:12px'><b>%1</b></td><td>%2</td></tr>")
        .arg(Tr(ALabel), APath.toHtmlEscaped());
}

QString Html(const TKWImpressumInfo& AInfo)
{
    QString Html = QStringLiteral("<h2>qomvi</h2><p>%1<br>%2</p>")
                       .arg(KWTranslate(QStringLiteral("Version %1"))
                                .arg(QStringLiteral(QOMVI_VERSION))
                                .toHtmlEscaped(),
                            Tr("Bewertung von Haltung, Management und Tierwohl in "
                               "Milchviehbetrieben"));
    Html += QStringLiteral("<h3>%1</h3><table>").arg(Tr("Dateien"));
    Html += FileRow("Datenordner", AInfo.DataPath);
    Html += FileRow("Datenbank", AInfo.DatabasePath);
    Html += FileRow("Protokolldatei", AInfo.LogPath);
    Html += QStringLiteral("</table><h3>%1</h3>").arg(Tr("Bibliotheken und Lizenzen"));
    for (const TLibrary& Library : Libraries)
        Html += QStringLiteral("<p><b>%1</b> – %2<br>%3</p>")
                    .arg(QString::fromUtf8(Library.Name).toHtmlEscaped(), Tr(Library.Licence),
                         Tr(Library.Text));
    return Html;
}

} // namespace

TKWImpressumLayout::TKWImpressumLayout(const TKWImpressumInfo& AInfo, QWidget* AParent)
    : QWidget(AParent), FBrowser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("ImpressumLayout"));
    FBrowser->setObjectName(QStringLiteral("ImpressumText"));
    FBrowser->setAccessibleName(KWTranslate(QStringLiteral("Information")));
    FBrowser->setFrameShape(QFrame::NoFrame);
    FBrowser->setOpenExternalLinks(true);
    FBrowser->setHtml(Html(AInfo));
    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(10, 0, 10, 0);
    Layout->addWidget(FBrowser);
    resize(LayoutSize);
}

QString TKWImpressumLayout::Text() const
{
    return FBrowser->toPlainText();
}
