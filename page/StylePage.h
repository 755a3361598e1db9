#ifndef VEXAL_PAGE_STYLEPAGE_H
#define VEXAL_PAGE_STYLEPAGE_H

// The page's style sheet, written inline: a phone's narrow screen, a desktop browser, a dark theme, and A4 paper.
const char* StylePage();

#endif
