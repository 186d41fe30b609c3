#pragma once
// The map view: scroll position, hover cell, selected tool and catalogue entry.
struct ViewState {};
