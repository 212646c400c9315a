#pragma once

#include "ReadProgress.h"
#include "measurement/MeasurementFile.h"

// Whether `file` is the file `progress` was read from and has only grown since: the same
// device and inode, no smaller, its start and the bytes before the previous read's end as
// they were read then, and its head still telling the same format. A read may then go on
// from `progress`; anything else needs the whole file read again. Bytes rewritten elsewhere
// in the middle go unseen.
bool OnlyGrew(const MeasurementFile& file, const ReadProgress& progress);
