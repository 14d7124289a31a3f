#pragma once

// The print dialog as the view's print preparation sees it.
class IPrintDialog {
public:
    virtual ~IPrintDialog() = default;
    // Shows the dialog modally; true when the player chose to print.
    virtual bool DoModal() = 0;
};
