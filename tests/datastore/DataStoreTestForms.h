#pragma once

#include "KWJson.h"
#include "KWUploadValidation.h"

#include <httplib.h>

// A visit name, file name and anonymised visit document as the application uploads them.
extern const char* const cTestVisitId;
extern const char* const cTestDataName;

// An anonymised visit document: farm data with emptied personal fields and a two-letter region.
TKWJson TestVisitDocument();
// The complete upload form for cTestVisitId with the given document.
TKWUploadForm TestUploadForm(const TKWJson& ADocument = TestVisitDocument());
// The form as an HTTP client posts it.
httplib::MultipartFormDataItems MultipartForm(const TKWUploadForm& AForm);
