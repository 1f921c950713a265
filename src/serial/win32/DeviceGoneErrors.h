// Which errors of a COM port's event wait mean that the device behind it has gone (unplugged,
// its driver stopped, or the line behind it hung up), so that the session ends instead of
// the wait being tried again. Windows only.
#pragma once

bool MeansDeviceGone(unsigned long error);
