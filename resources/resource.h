// Resource identifiers shared by the resource script and the code.
#pragma once

#define IDI_MAINICON 101
#define IDB_ABOUT 201
#define IDB_WEBSITE 202
#define IDB_EMAIL 203
