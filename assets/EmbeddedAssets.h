// The resources generated from assets/ and embedded in the program.
#pragma once

// Makes every embedded resource findable through LockResourceData.
void RegisterEmbeddedAssets();
