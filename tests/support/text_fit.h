// Whether a window's texts fit their controls, measured as the user sees
// them: a caption wider than its control, a control reaching beyond the
// control that holds it, or a captioned control lying over another one.
#pragma once

#include <QStringList>

class QWidget;

// One line per misfit of the window's visible labels, options, check boxes,
// buttons and frames, naming the control and its text; empty when all fit.
QStringList textMisfits(const QWidget* window);
