#include "snapshot/SaveSnapshot.h"

#include "snapshot/Bitmap32.h"
#include "snapshot/ManipulateBitmaps.h"
#include "snapshot/ThumbnailWriter.h"
#include "snapshot/WebBrowser.h"

namespace lumivane {

void SaveSnapshot(WebBrowser& browser, const SnapshotSizes& sizes, const std::string& fileName)
{
    WebDocument* document = browser.Document();
    if (!document)
        return;
    Bitmap32 page(sizes.browserWidth, sizes.browserHeight);
    Bitmap32 thumbnail(sizes.thumbWidth, sizes.thumbHeight);
    document->Draw(page);
    ShrinkBitmap(page, thumbnail);
    writeThumbnail(fileName, thumbnail);
}

} // namespace lumivane
