#include "urllist/UrlListCommands.h"

#include "platform/MessageDialog.h"
#include "urllist/StatusPanels.h"
#include "urllist/UrlList.h"

namespace lumivane {

void selectAll(UrlList& list)
{
    list.setAllSelected(true);
}

void clearSelection(UrlList& list)
{
    list.setAllSelected(false);
}

void deleteSelected(UrlList& list, MessageDialog& dialog)
{
    if (list.selectedCount() == 0) {
        dialog.inform("Please select the items do you want delete.");
        return;
    }
    list.removeSelected();
    for (std::size_t i = 0; i < list.count(); ++i)
        list.setNumber(i, std::to_string(i + 1));
}

bool checkExport(const UrlList& list, MessageDialog& dialog)
{
    if (list.empty()) {
        dialog.inform("You don't have any url to export.");
        return false;
    }
    if (list.selectedCount() == 0) {
        dialog.inform("Please select at least one url to export.");
        return false;
    }
    return true;
}

std::string nextRowNumber(const UrlList& list)
{
    return std::to_string(list.lastNumber() + 1);
}

void refreshTotal(const UrlList& list, StatusPanels& panels)
{
    panels.setTotalText("Total: " + std::to_string(list.count()));
}

} // namespace lumivane
