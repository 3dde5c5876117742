// SPDX-License-Identifier: MIT
// placeholder until the main window lands
