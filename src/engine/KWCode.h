#pragma once

#include <QString>

// The code lists of recorded answers. This reduced list carries only a handful of codes until
// the full code lists arrive.
class TCodes
{
public:
    // Fills the program-wide list; called once before the first lookup.
    static void Init();
    // The German label of a code; a code that no list holds is returned unchanged.
    static QString Search(const QString& Code);
};
