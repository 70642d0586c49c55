#pragma once

#include <QString>

#include <map>
#include <string>

// The fields of a posted upload form as received: name to raw value. A careless or hostile
// client may send a field twice, so the form keeps every occurrence.
using TKWUploadForm = std::multimap<std::string, std::string>;

// What the data store keeps of an accepted upload.
struct TKWUpload
{
    QString VisitId;
    QString DataName;
    QString DataContent;
};

// The answer to one upload form: the HTTP status, the reason of a refusal and, when the form is
// accepted (status 200), the upload to store.
struct TKWUploadVerdict
{
    int Status = 200;
    QString Reason;
    TKWUpload Upload;
};

// Checks the form fields and the visit document they carry. A malformed form or document is
// refused with 400; a document whose farm data still hold personal data with 422.
TKWUploadVerdict KWValidateUpload(const TKWUploadForm& AForm);
