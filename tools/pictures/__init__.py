"""Build-time drawing of marlix32's pictures: toolbar bitmaps, program icon, About animation."""
