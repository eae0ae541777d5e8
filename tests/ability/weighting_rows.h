#pragma once

// The positions in the order of the weightings file's rows, which is not a position mask's order.
enum weighting_row { GK, SW, DL, DC, DR, DMC, ML, MC, MR, AML, AMC, AMR, ST, WBL, WBR };
