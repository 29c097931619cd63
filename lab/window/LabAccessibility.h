#pragma once
// The lab for a screen reader: every control named and described, the views and painted
// widgets as charts and pictures that say what they show now, and a status bar with the
// status line of the run shown.
namespace Fourier {

class LabWindow;

// Once, after the panes are added. Names are given to widgets as they are built (views build
// their plots when first shown); summaries follow every run the lab shows and every tab shown.
void MakeLabAccessible(LabWindow& lab);

} // namespace Fourier
