#pragma once
// The Plug and Play calls the install worker makes around the DPInst run.

// Asks Plug and Play on this machine to re-enumerate the device tree from its
// root. Every failure is ignored.
void RescanHardware();

// Removes the first present network-class PCI device that carries the card's
// description. 0 when the list was walked cleanly, 1 otherwise (see
// engine::RemoveCardDevice); the worker ignores it.
int RemoveCardDevice();
