#pragma once

#include <QWidget>

class QTextBrowser;

// The files the program works with, as the information screen shows them.
struct TKWImpressumInfo
{
    QString DataPath;
    QString DatabasePath;
    QString LogPath;
};

// The information screen: program name and version, the files in use and the licences of the
// libraries the program ships with.
class TKWImpressumLayout final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWImpressumLayout)

public:
    static constexpr QSize LayoutSize{640, 480};

    TKWImpressumLayout(const TKWImpressumInfo& AInfo, QWidget* AParent);

    QString Text() const;

private:
    QTextBrowser* FBrowser;
};
