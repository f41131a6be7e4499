#include "app/results_log.h"

#include "app/data_folder.h"
#include "core/text_file.h"

void AppendLine(const QString& systemPath, const QString& line) { AppendTextLine(DataPath(systemPath), line); }
