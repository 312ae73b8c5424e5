#pragma once
#include <memory>

#include "toolkit/Forms.h"

class Fl_Group;

// Creates the FLTK widget of Control inside Parent and attaches its peer to the control.
void RealiseControl(TControl& Control, Fl_Group& Parent);
