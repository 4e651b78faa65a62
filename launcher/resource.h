// Resource ids shared by the resource script and the launcher's code.
#ifndef DELVORN_LAUNCHER_RESOURCE_H
#define DELVORN_LAUNCHER_RESOURCE_H

#define IDD_LAUNCHER 101    // the start dialog's template
#define IDB_SPLASH 102      // the picture at the top of the dialog
#define IDC_FULLSCREEN 1000 // the "Pilnekrans" check box
#define IDI_DELVORN 1       // the program's icon (the lowest id is the one Explorer shows)

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif

#endif
