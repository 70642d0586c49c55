#pragma once

class TKWDataStore;

// Fills an emptied visit document with the example visit: plausible recordings in every
// area, ratings, weak points, chosen cause areas and measures.
void KWFillExampleVisit(TKWDataStore& AStore);
