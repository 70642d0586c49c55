#pragma once

class TKWDataStoreErfassung;

// Fills every area of a recording store the way a large visit looks: ACows records in both
// single-cow areas, ACubicles measured cubicles, ABlocks comfort-index blocks and one record in
// every single-record area. Scores run from 1 to 5 and texts hold whole numbers, so block counts
// read as counts.
void KWBenchFillVisit(TKWDataStoreErfassung& AStore, int ACows, int ACubicles = 50, int ABlocks = 20);
