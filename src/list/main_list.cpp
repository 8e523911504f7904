#include "list/main_list.h"

MainListHandles gMainList;
