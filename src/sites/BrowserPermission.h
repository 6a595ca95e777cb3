#pragma once

// Which permission lets Horavane read a browser's front page.
enum class BrowserPermission {
    automation,    // asked of the browser itself (Chromium-family browsers and the like)
    accessibility, // the desktop's accessibility switch (Firefox-family browsers)
};
