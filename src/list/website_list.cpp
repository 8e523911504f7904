#include "list/website_list.h"

WebsiteList gWebsiteList;

void ClearWebsiteList() {
  gWebsiteList = WebsiteList();
}
