#pragma once
// Numbers of the resources every Windows program of ours carries, shared by the .rc that
// defines them and the C++ that loads them (LoadIconW(instance, MAKEINTRESOURCEW(...))).
// Plain defines: the resource compiler reads this file too and knows no C++.
#define VANTREL_ICON 1
