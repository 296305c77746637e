// The program's version, used by the version resource and shown by the About window.
#pragma once

#define BRIMLOW_VERSION_MAJOR 4
#define BRIMLOW_VERSION_MINOR 0
#define BRIMLOW_VERSION_RELEASE 0
#define BRIMLOW_VERSION_BUILD 3
#define BRIMLOW_VERSION_TEXT "4.0.0.3"
#define BRIMLOW_PRODUCT_NAME "Brimlow"
#define BRIMLOW_COMPANY_NAME "Pellam Graphics"
