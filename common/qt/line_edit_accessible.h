// How a screen reader reads a one-line text field. Qt's own reading reports every character as
// a run of attributes that ends where it starts; Orca builds the spoken line from those runs and
// so drops the last character whenever it reads a field whole ("Vě selected" for a selected
// "Věž"). This reading reports the field as one run and otherwise reads and edits as Qt's does.
#pragma once

namespace vek {

// Makes every QLineEdit of the application read this way; once per application, before the
// first field is read.
void installLineEditReading();

}  // namespace vek
