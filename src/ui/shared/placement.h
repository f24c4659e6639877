#pragma once

class QWidget;

// Centres a window of the program over the window of its parent, kept inside that screen's
// free area. A window with no parent stays where the system puts it.
void CentrerSurParent(QWidget& fenetre);
