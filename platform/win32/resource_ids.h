/* Resource and control ids shared by the resource script and the C++ code.
   Plain preprocessor definitions, because the resource compiler reads this
   file too. */
#ifndef VELTRO_WIN32_RESOURCE_IDS_H
#define VELTRO_WIN32_RESOURCE_IDS_H

#define VELTRO_MENU_MAIN 101
#define VELTRO_DIALOG_BSPLINE 102

#define VELTRO_FIELD_DEGREE 1001
#define VELTRO_FIELD_KNOTS 1002

#endif
