// Ids of the launcher's resources.
#pragma once

#define IDI_LAUNCHER 101
#define IDD_LAUNCHER 102
#define IDR_ARCHIVE 130
