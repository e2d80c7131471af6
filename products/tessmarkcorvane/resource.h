// Numeric resource ids of TessmarkCorvane. The skin archive's resource is named by the string
// "IDR_ZIPRES", so that name is deliberately not defined here.
#define IDI_APP 101
