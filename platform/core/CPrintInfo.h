#pragma once

#include "Geometry.h"

class IPrintDialog;

// What the print procedure tells the view's print hooks about the job.
struct CPrintInfo {
    IPrintDialog* m_pPD = nullptr; // shown by the preparation unless printing at once
    bool m_bDirect = false;        // at once on the printer as it is, no dialog
    int m_nCurPage = 1;            // the page being printed
    Rect m_rectDraw;               // the page's printable area, in printer pixels
};
