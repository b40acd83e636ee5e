#include "rules/Course.h"

QString CourseLabel(Course course) { return course == Course::Another ? "ANOTHER" : "NORMAL"; }
