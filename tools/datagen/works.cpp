#include "datagen/data_writer.h"
#include "datagen/datagen.h"
#include "datagen/works_tasks.h"

void RenderWorksData(const DataWriter& out) {
    for (const TaskFileSource& file : Work1TaskFiles()) out.writeTextFile(file.name, file.lines);
    for (const TaskFileSource& file : Work2TaskFiles()) out.writeTextFile(file.name, file.lines);
    for (const TaskFileSource& file : Work3TaskFiles()) out.writeTextFile(file.name, file.lines);
}
