#pragma once
// Window placement, the surrender with its hints, and the stage advances.
#include <QString>
#include <cstdint>

class Form;

void CenterForm(Form& form, std::int32_t height, std::int32_t width);
void Surrender();
void AdvanceToProblem2();
void AdvanceToProblem3();
void AdvanceToEnd();

// Seconds from one clock reading to a later one, rounded to hundredths as "#####.00"
// writes them. The clock starts again from 0 at midnight; a span across it still counts.
float ElapsedSeconds(float from, float to);

// The surrender screen of a stage: empty rate when the stage has no row.
struct Hint {
    QString rate;
    QString label1;
    QString label2;  // empty: Label2 is left as it is
    int hideWindow = 0;  // 6 or 7: the puzzle window that is open at this stage
};
Hint HintFor(std::int16_t stage, const QString& course);
