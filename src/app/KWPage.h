#pragma once

// The protocol every page of the main window follows.
class IKWPage
{
public:
    virtual ~IKWPage() = default;
    // Once, after the page is created.
    virtual void Init() = 0;
    // Each time the page becomes the shown page.
    virtual void Enter() = 0;
    // Before another page is shown; false keeps this page.
    virtual bool Leave() = 0;
};
