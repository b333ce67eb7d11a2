' placeholder
