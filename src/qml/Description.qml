// Secondary rich text under a heading or a control.
Content {
    fstyle: "F6"
    cstyle: "C8"
}
