namespace orbisk {}
