#pragma once

// What the station link takes from the configuration: the console's USB ids. Start-up hands
// them over with the link before any thread exists.
struct CLinkSettings {
    int vendorId = 0;
    int productId = 0;
};
