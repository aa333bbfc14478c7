#include "tools/lumivane-batch/RowOutput.h"

#include "platform/ProgramFolder.h"
#include "snapshot/BmpWriter.h"
#include "snapshot/ManipulateBitmaps.h"
#include "snapshot/ThumbnailWriter.h"
#include "tools/lumivane-batch/BatchSettings.h"
#include "tools/lumivane-batch/RowPlanner.h"

namespace lumivane::batch {

void writeRowOutput(const Bitmap32& page, const BatchSettings& settings, const PlannedRow& row)
{
    Bitmap32 thumbnail(settings.thumbWidth, settings.thumbHeight);
    ShrinkBitmap(page, thumbnail);
    writeThumbnail(row.file, thumbnail);
    if (!settings.pageImages.empty())
        writeBmp(joinPath(settings.pageImages, row.row.id + ".bmp"), page);
}

} // namespace lumivane::batch
