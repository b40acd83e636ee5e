#pragma once
// The two courses, chosen on the title window: NORMAL unless the player asks for ANOTHER.
#include <QString>

enum class Course { Normal, Another };

// "NORMAL" or "ANOTHER", as the main window shows it.
QString CourseLabel(Course course);
