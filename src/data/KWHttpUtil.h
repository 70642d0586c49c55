#pragma once

#include <QString>

// The upload of an anonymised visit: one multipart form post to the central data store.
class TKWHttpUtil
{
public:
    // Posts the form ("action", "configid", "visitid", "dataname", "datacontent", in this order).
    // Empty on success (status below 300); otherwise the reply's status text, or
    // "Internal Error: " + the client's message when no reply came (also after ATimeoutMs of
    // silence, so the window never waits for ever). Writes the three debug files into the
    // current folder.
    static QString SendDataPostString(const QString& ToUrl, const QString& VisitId,
                                      const QString& ContentFieldName,
                                      const QString& ContentFieldValue, int ATimeoutMs = 30000);

    // What the last post received, kept until the next post.
    static QString LastResponseContent();
    static QString LastStatusText();
    static int LastStatusCode();
};
