#include "engine/DeviceLog.h"

#include "engine/FileUtil.h"

void LogDeviceStep(const char* step, const char* result) {
    AppendLog(kDeviceLog, step);
    AppendLog(kDeviceLog, result);
}
